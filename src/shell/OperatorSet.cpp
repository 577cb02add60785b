#include "shell/OperatorSet.h"

#include "data/Database.h"
#include "shell/Operator.h"

namespace {

const TRightEntry kRights[] = {
    {"仓库设置", 13},         {"货品资料设置", 14},    {"供货单位资料设置", 10},
    {"收货单位资料设置", 9},  {"职员资料设置", 12},    {"部门或外加工户设置", 11},
    {"出入库类型设置", 15},   {"选项与系统设置", 8},   {"操作员与仓库权限", 30},
    {"入库单查阅", 34},       {"入库开单", 16},        {"入库审核", 26},
    {"入库报表查阅", 32},     {"出库单查阅", 35},      {"出库开单", 17},
    {"出库审核", 27},         {"出库报表查阅", 33},    {"调拨开单", 18},
    {"调拨审核", 28},         {"调拨单查阅", 36},      {"盘点开单", 19},
    {"盘点审核", 29},         {"库存结转", 20},        {"库存查询", 21},
    {"收发明细表", 23},       {"汇总报表", 24},        {"允许查看库存数量", 31},
    {"允许查看库存价格", 25}, {"公司信息设置", 10000}, {"操作员及权限管理", 100001},
    {"打印", 10002},          {"打印设计", 10003},     {"数据导出", 10004},
    {"列选择", 10008},        {"列样式保存", 10006},   {"备份设置", 10005},
    {"工具菜单设置", 10007},
};

}  // namespace

const TRightEntry* RightsTable(int* count) {
    *count = int(sizeof kRights / sizeof kRights[0]);
    return kRights;
}

QString BuildRights(const QList<bool>& ticked) {
    int count = 0;
    const TRightEntry* rights = RightsTable(&count);
    QString text;
    for (int i = 0; i < count && i < ticked.size(); ++i)
        if (ticked[i])
            text += TOperator::RightEntry(rights[i].Number);
    return text;
}

QList<bool> TickedRights(const QString& rights) {
    int count = 0;
    const TRightEntry* table = RightsTable(&count);
    QList<bool> ticked;
    for (int i = 0; i < count; ++i)
        ticked << rights.contains(TOperator::RightEntry(table[i].Number));
    return ticked;
}

TOperatorSet::TOperatorSet(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    UserIdField =
        AddField(TFieldKind::Text, QStringLiteral("LoginId"), -1, true, QStringLiteral("登陆名"));
    PasswdField =
        AddField(TFieldKind::Text, QStringLiteral("Password"), -1, true, QStringLiteral("密码"));
    NameField =
        AddField(TFieldKind::Text, QStringLiteral("Name"), -1, true, QStringLiteral("姓名"));
    ContactField =
        AddField(TFieldKind::Text, QStringLiteral("Contact"), -1, true, QStringLiteral("联系方式"));
    NoteField =
        AddField(TFieldKind::Text, QStringLiteral("Note"), -1, true, QStringLiteral("备注"));
    RightsField =
        AddField(TFieldKind::Memo, QStringLiteral("Rights"), -1, true, QStringLiteral("权限"));
    Load();
}

bool TOperatorSet::Load() {
    return OpenSql(QStringLiteral("select * from operator where LoginId<>'sa'")) >= 0;
}

void TOperatorSet::SetRow(const QString& password, const QString& rights, const QString& note,
                          const QString& contact, const QString& name) {
    PasswdField->SetValue(password);
    NameField->SetValue(name);
    ContactField->SetValue(contact);
    NoteField->SetValue(note);
    RightsField->SetValue(rights);
}

void TOperatorSet::AddOperator(const QString& loginId, const QString& password,
                               const QString& rights, const QString& note, const QString& contact,
                               const QString& name) {
    Database()->Execute(
        QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights)"
                       "values(:LoginId,:Password,:Name,:Contact,:Note,:Rights)"),
        {DBParam(QStringLiteral("LoginId"), loginId), DBParam(QStringLiteral("Password"), password),
         DBParam(QStringLiteral("Name"), name), DBParam(QStringLiteral("Contact"), contact),
         DBParam(QStringLiteral("Note"), note), DBParam(QStringLiteral("Rights"), rights)});
    if (!Active())
        Open();
    Append();
    UserIdField->SetValue(loginId);
    SetRow(password, rights, note, contact, name);
    Post();
}

void TOperatorSet::UpdateOperator(const QString& loginId, const QString& password,
                                  const QString& rights, const QString& note,
                                  const QString& contact, const QString& name) {
    Database()->Execute(
        QStringLiteral("update operator set [Password]=:Password,Name=:Name,Contact=:Contact,"
                       "[Note]=:Note,Rights=:Rights where LoginId=:LoginId"),
        {DBParam(QStringLiteral("Password"), password), DBParam(QStringLiteral("Name"), name),
         DBParam(QStringLiteral("Contact"), contact), DBParam(QStringLiteral("Note"), note),
         DBParam(QStringLiteral("Rights"), rights), DBParam(QStringLiteral("LoginId"), loginId)});
    if (Active() && Locate(QStringLiteral("LoginId"), loginId)) {
        Edit();
        SetRow(password, rights, note, contact, name);
        Post();
    }
}

void TOperatorSet::DeleteOperator(const QString& loginId) {
    // The super user's row is never listed here, and without it nobody could administer the
    // database any more.
    if (loginId == QLatin1String("sa"))
        return;
    Database()->Execute(QStringLiteral("delete from operator where LoginId=:LoginId"),
                        {DBParam(QStringLiteral("LoginId"), loginId)});
    if (Active() && Locate(QStringLiteral("LoginId"), loginId))
        Delete();
}

QString TOperatorSet::LoginNames() const {
    return JoinValues(UserIdField, QStringLiteral("\n"));
}
