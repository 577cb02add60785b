#include "data/ClientDataSet.h"

#include <algorithm>

TQzClientDataSet::TQzClientDataSet(QObject* parent) : TDataSet(parent) {}

TField* TQzClientDataSet::AddField(TFieldKind kind, const QString& name, bool visible,
                                   const QString& caption) {
    return CreateField(kind, name, visible, caption);
}

TField* TQzClientDataSet::AddFieldDef(TFieldKind kind, const QString& name, int size, bool visible,
                                      const QString& caption) {
    TField* f = AddField(kind, name, visible, caption);
    if (size > 20)
        f->Size = std::min(size, 140);
    return f;
}

void TQzClientDataSet::CreateTable() {
    Open();
}

void TQzClientDataSet::ReportProgress(int total, int current) const {
    if (OnProgress)
        OnProgress(total, current);
}

void TQzClientDataSet::ReportProgress2(int percent) const {
    if (OnProgress2)
        OnProgress2(percent);
}

void TQzClientDataSet::StartTiming() {
    timer_.start();
}

void TQzClientDataSet::StopTiming() {
    lostTime_ = timer_.isValid() ? double(timer_.nsecsElapsed()) / 1e9 : 0.0;
}

TCustomWhere::TCustomWhere(QObject* parent) : TQzClientDataSet(parent) {}

void TCustomWhere::Reset() {
    Cancel();
    if (Active())
        EmptyTable();
    else
        CreateTable();
    Append();
}
