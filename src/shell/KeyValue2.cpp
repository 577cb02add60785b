#include "shell/KeyValue2.h"

TKeyValue2::TKeyValue2(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    KeyIdFld = AddField(TFieldKind::Integer, QStringLiteral("KeyId"));
    VintFld = AddField(TFieldKind::Integer, QStringLiteral("Vint"));
    VstrFld = AddField(TFieldKind::Memo, QStringLiteral("Vstr"));
    VfloatFld = AddField(TFieldKind::Float, QStringLiteral("Vfloat"));
    VboolFld = AddField(TFieldKind::Boolean, QStringLiteral("Vbool"));
}

bool TKeyValue2::OpenAll() {
    return Active() || OpenSql(QStringLiteral("select * from keyvalue")) >= 0;
}

bool TKeyValue2::LocateKey(int keyId) {
    if (!OpenAll())
        return false;
    if (Locate(QStringLiteral("KeyId"), keyId))
        return true;
    Close();
    Database()->ExecSql(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"),
                        {DBParam(QStringLiteral("KeyId"), keyId)});
    return OpenAll() && Locate(QStringLiteral("KeyId"), keyId);
}

int TKeyValue2::ReadInt(int keyId) {
    return LocateKey(keyId) ? int(VintFld->AsInteger()) : 0;
}

bool TKeyValue2::WriteInt(int keyId, int value) {
    return LocateKey(keyId) && WriteRow(keyId, QString(), true, 0, value);
}

bool TKeyValue2::ReadBool(int keyId) {
    return LocateKey(keyId) && VboolFld->AsBoolean();
}

bool TKeyValue2::WriteBool(int keyId, bool value) {
    return LocateKey(keyId) && WriteRow(keyId, QString(), value, 0, 0);
}

bool TKeyValue2::WriteRow(int keyId, const QString& vstr, bool vbool, double vfloat, int vint) {
    const TDBParameters params{
        DBParam(QStringLiteral("Vstr"), vstr), DBParam(QStringLiteral("Vint"), vint),
        DBParam(QStringLiteral("Vfloat"), vfloat), DBParam(QStringLiteral("Vbool"), vbool),
        DBParam(QStringLiteral("KeyId"), keyId)};
    TDatabase& db = *Database();
    int affected = db.ExecSql(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, "
                                             "Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:KeyId"),
                              params);
    if (affected != 1)
        affected = db.ExecSql(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, "
                                             "KeyId)values(:Vstr, :Vint, :Vfloat, :Vbool, :KeyId)"),
                              params);
    if (affected != 1)
        return false;
    if (Active() && Locate(QStringLiteral("KeyId"), keyId)) {
        Edit();
        VstrFld->SetValue(vstr);
        VintFld->SetValue(vint);
        VfloatFld->SetValue(vfloat);
        VboolFld->SetValue(vbool);
        Post();
    }
    return true;
}

TKeyValue2& AppKeyValue2() {
    static TKeyValue2 keyValue2;
    return keyValue2;
}
