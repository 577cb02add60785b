#pragma once

#include <QString>

#include "data/QuerySet.h"

// The settings kept in the typed columns of keyvalue (Vint, Vstr, Vfloat, Vbool). Every row of
// the table is cached; a key that has no row yet gets one when it is first located.
class TKeyValue2 : public TRecordSet {
    Q_OBJECT
public:
    explicit TKeyValue2(TDatabase* database = nullptr, QObject* parent = nullptr);

    TField* KeyIdFld;
    TField* VintFld;
    TField* VstrFld;
    TField* VfloatFld;
    TField* VboolFld;

    // Opens the set when it is closed and moves to the key's row, inserting the row first
    // when there is none. False only when the set cannot be read.
    bool LocateKey(int keyId);
    int ReadInt(int keyId);
    bool WriteInt(int keyId, int value);
    bool ReadBool(int keyId);
    bool WriteBool(int keyId, bool value);
    // Stores the four values in the key's row (inserting it when the update found none) and,
    // on success, in the cached row. Success means the last statement affected one row.
    // A database error is thrown (EDatabaseError).
    bool WriteRow(int keyId, const QString& vstr, bool vbool, double vfloat, int vint);

    // Show the feedback form when the program closes (KeyId 0).
    bool FeedbackPrompt() { return ReadBool(0); }
    void SetFeedbackPrompt(bool on) { WriteBool(0, on); }
    // Show the tip of the day at start (KeyId 1).
    bool DailyTipPrompt() { return ReadBool(1); }
    void SetDailyTipPrompt(bool on) { WriteBool(1, on); }
    // KeyId 2 through the typed column.
    bool GetStartPrompt() { return ReadBool(2); }
    void SetGetStartPrompt(bool on) { WriteBool(2, on); }

private:
    bool OpenAll();
};

TKeyValue2& AppKeyValue2();
