#include "shell/ui/DBConfigFrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "data/Prompt.h"
#include "shell/Configer.h"
#include "shell/IniFile.h"

namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name, bool masked = false) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QWidget* NewPage(QStackedWidget* stack, const char* name) {
    auto* page = new QWidget(stack);
    page->setObjectName(QLatin1String(name));
    stack->addWidget(page);
    return page;
}

}  // namespace

TDBConfigFrm::TDBConfigFrm(QWidget* parent)
    : QDialog(parent), configer_(std::make_unique<TConfiger>()) {
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QStringLiteral("数据库连接"));

    auto* layout = new QVBoxLayout(this);
    for (const char* text : {"注意，程序无法正常连接到指定的数据库。",
                             "1.单机版用户，请检查数据库文件是否存在或者已被破坏；",
                             "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。",
                             "另外，请检查以下连接参数是否正确："})
        layout->addWidget(new QLabel(QString::fromUtf8(text), this));

    auto* providerRow = new QHBoxLayout;
    providerRow->addWidget(new QLabel(QStringLiteral("提供者"), this));
    cbProvider1_ = new QComboBox(this);
    cbProvider1_->setObjectName(QStringLiteral("cbProvider1"));
    cbProvider1_->addItems({QStringLiteral("PostgreSQL 数据库服务器"),
                            QStringLiteral("SQLite 数据库文件"),
                            QStringLiteral("DIP 目录服务 (PostgreSQL)")});
    providerRow->addWidget(cbProvider1_, 1);
    layout->addLayout(providerRow);

    auto* group = new QGroupBox(QStringLiteral("参数"), this);
    group->setObjectName(QStringLiteral("gbParams1"));
    auto* groupLayout = new QVBoxLayout(group);
    pcParams1_ = new QStackedWidget(group);
    pcParams1_->setObjectName(QStringLiteral("pcParams1"));
    groupLayout->addWidget(pcParams1_);
    layout->addWidget(group);

    QWidget* server = NewPage(pcParams1_, "mssql");
    auto* serverForm = new QFormLayout(server);
    edtServer1_ = NewEdit(server, "edtServer1");
    edtPort1_ = NewEdit(server, "edtPort1");
    edtDatabase1_ = NewEdit(server, "edtDatabase1");
    edtUser1_ = NewEdit(server, "edtUser1");
    edtPassword1_ = NewEdit(server, "edtPassword1", true);
    chkSmart1_ = new QCheckBox(QStringLiteral("采用智能连接"), server);
    chkSmart1_->setObjectName(QStringLiteral("chkSmart1"));
    serverForm->addRow(QStringLiteral("服务器"), edtServer1_);
    serverForm->addRow(QStringLiteral("端口"), edtPort1_);
    serverForm->addRow(QStringLiteral("数据库名"), edtDatabase1_);
    serverForm->addRow(QStringLiteral("登陆名"), edtUser1_);
    serverForm->addRow(QStringLiteral("密 码"), edtPassword1_);
    serverForm->addRow(QString(), chkSmart1_);

    QWidget* file = NewPage(pcParams1_, "jet4");
    auto* fileForm = new QFormLayout(file);
    chkDefault1_ = new QCheckBox(QStringLiteral("使用默认连接"), file);
    chkDefault1_->setObjectName(QStringLiteral("chkDefault1"));
    edtFile1_ = NewEdit(file, "edtFile1");
    btnBrowse1_ = new QPushButton(QStringLiteral("..."), file);
    btnBrowse1_->setObjectName(QStringLiteral("btnBrowse1"));
    btnBrowse1_->setAutoDefault(false);
    btnBrowse1_->setFixedWidth(btnBrowse1_->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                               16);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtFile1_, 1);
    fileRow->addWidget(btnBrowse1_);
    edtJetUser1_ = NewEdit(file, "edtJetUser1");
    edtJetPw1_ = NewEdit(file, "edtJetPw1", true);
    fileForm->addRow(QString(), chkDefault1_);
    fileForm->addRow(QStringLiteral("数据库文件:"), fileRow);
    fileForm->addRow(QStringLiteral("用户名:"), edtJetUser1_);
    fileForm->addRow(QStringLiteral("密码:"), edtJetPw1_);

    QWidget* dip = NewPage(pcParams1_, "qzdip");
    auto* dipForm = new QFormLayout(dip);
    edtDipUrl1_ = NewEdit(dip, "edtDipUrl1");
    edtDipUser1_ = NewEdit(dip, "edtDipUser1");
    dipForm->addRow(QStringLiteral("DIP地址"), edtDipUrl1_);
    dipForm->addRow(QStringLiteral("DIP用户"), edtDipUser1_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    ok->setObjectName(QStringLiteral("btnOk1"));
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel1"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(cbProvider1_, &QComboBox::currentIndexChanged, this,
            [this](int index) { pcParams1_->setCurrentIndex(index < 0 ? 0 : index); });
    connect(chkDefault1_, &QCheckBox::toggled, this, &TDBConfigFrm::SetDefaultConnection);
    connect(btnBrowse1_, &QPushButton::clicked, this, &TDBConfigFrm::BrowseFile);
    connect(ok, &QPushButton::clicked, this, &TDBConfigFrm::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    LoadFromConfiger();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TDBConfigFrm::~TDBConfigFrm() = default;

bool TDBConfigFrm::Execute() {
    return exec() == QDialog::Accepted;
}

void TDBConfigFrm::LoadFromConfiger() {
    const TConfiger& c = *configer_;
    edtServer1_->setText(c.mssqlServer);
    edtPort1_->setText(QString::number(c.mssqlPort));
    edtDatabase1_->setText(c.mssqlDb);
    edtUser1_->setText(c.mssqlUser);
    edtPassword1_->setText(c.mssqlPw);
    chkSmart1_->setChecked(c.SmartConnect);
    edtFile1_->setText(c.jetfile);
    edtJetUser1_->setText(c.jetUser);
    edtJetPw1_->setText(c.jetPw);
    edtDipUrl1_->setText(c.dipUrl);
    edtDipUser1_->setText(c.dipUser);
    chkDefault1_->setChecked(c.defaultCon);
    SetDefaultConnection(c.defaultCon);
    SetProviderIndex(c.providerIdx);
}

void TDBConfigFrm::SetProviderIndex(int index) {
    // An index this program does not know shows the first provider.
    if (index < 0 || index >= cbProvider1_->count())
        index = 0;
    cbProvider1_->setCurrentIndex(index);
    pcParams1_->setCurrentIndex(index);
}

int TDBConfigFrm::ProviderIndex() const {
    return cbProvider1_->currentIndex();
}

void TDBConfigFrm::SetDefaultConnection(bool useDefault) {
    if (chkDefault1_->isChecked() != useDefault)
        chkDefault1_->setChecked(useDefault);  // comes back here through toggled
    const QColor colour = palette().color(useDefault ? QPalette::Button : QPalette::Base);
    for (QLineEdit* edit : {edtFile1_, edtJetUser1_, edtJetPw1_}) {
        edit->setEnabled(!useDefault);
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, colour);
        edit->setPalette(p);
        edit->update();
    }
    btnBrowse1_->setEnabled(!useDefault);
    btnBrowse1_->update();
}

bool TDBConfigFrm::ApplyToConfiger() {
    bool ok = false;
    const int port = edtPort1_->text().trimmed().toInt(&ok);
    if (!ok) {
        ShowInfo(QStringLiteral("'%1' 不是一个有效的端口号(整数).").arg(edtPort1_->text()));
        edtPort1_->setFocus();
        return false;
    }
    TConfiger& c = *configer_;
    c.mssqlServer = edtServer1_->text();
    c.mssqlPort = port;
    c.mssqlDb = edtDatabase1_->text();
    c.mssqlUser = edtUser1_->text();
    c.mssqlPw = edtPassword1_->text();
    c.SmartConnect = chkSmart1_->isChecked();
    c.jetfile = edtFile1_->text();
    c.jetUser = edtJetUser1_->text();
    c.jetPw = edtJetPw1_->text();
    c.dipUrl = edtDipUrl1_->text();
    c.dipUser = edtDipUser1_->text();
    c.defaultCon = chkDefault1_->isChecked();
    c.providerIdx = ProviderIndex();
    if (!c.Save()) {
        ShowInfo(QStringLiteral("无法保存连接参数到配置文件:\r\n%1").arg(c.Ini().FileName()));
        return false;
    }
    return true;
}

void TDBConfigFrm::OkClicked() {
    if (ApplyToConfiger())
        accept();
}

void TDBConfigFrm::BrowseFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("数据库文件"), edtFile1_->text(),
                                     QStringLiteral("SQLite 数据库 (*.db)"));
    if (!path.isEmpty())
        edtFile1_->setText(path);
}

void TDBConfigFrm::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; anywhere else it moves to the next control.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextPrevChild(!(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
