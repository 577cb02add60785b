#pragma once

#include <QString>

#include "data/DataSet.h"

// Amount columns of document and report sets: a float field shown in the money format.
struct TFundField {
    static inline const QString MoneyFormat = QStringLiteral("0.00");
    // Gives a float field the money format; returns it, so a declaration reads
    // FundFld = TFundField::Apply(AddField(TFieldKind::Float, "Fund", -1, true, "金额")).
    static TField* Apply(TField* field) {
        field->DisplayFormat = MoneyFormat;
        return field;
    }
};
