#include "shell/ui/LoginFrm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/ui/Pictures.h"

TLoginFrm::TLoginFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("LoginFrm"));
    setWindowTitle(QStringLiteral("登陆"));
    // No border icons: only the title.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* column = new QVBoxLayout(ClientArea());
    column->setContentsMargins(0, 0, 0, 8);
    imgBanner1 = new QLabel(ClientArea());
    imgBanner1->setObjectName(QStringLiteral("imgBanner1"));
    ShowPictureOrBand(imgBanner1, QStringLiteral("login.png"), 60);
    column->addWidget(imgBanner1);

    auto* prompt = new QLabel(QStringLiteral("请输入您的用户名和密码:"), ClientArea());
    prompt->setObjectName(QStringLiteral("lblPrompt1"));
    prompt->setContentsMargins(16, 4, 16, 0);
    column->addWidget(prompt);

    auto* form = new QFormLayout;
    form->setContentsMargins(32, 4, 32, 0);
    cbUser1 = new QComboBox(ClientArea());
    cbUser1->setObjectName(QStringLiteral("cbUser1"));
    cbUser1->setEditable(true);
    cbUser1->setInsertPolicy(QComboBox::NoInsert);
    cbUser1->addItems(LoginNames());
    cbUser1->setEditText(InitialLoginName());
    edtPassword1 = new QLineEdit(ClientArea());
    edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
    edtPassword1->setEchoMode(QLineEdit::Password);
    edtPassword1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    auto* userLabel = new QLabel(QStringLiteral("用户名(&U)"), ClientArea());
    userLabel->setBuddy(cbUser1);
    auto* passwordLabel = new QLabel(QStringLiteral("密码(&P)"), ClientArea());
    passwordLabel->setBuddy(edtPassword1);
    form->addRow(userLabel, cbUser1);
    form->addRow(passwordLabel, edtPassword1);
    column->addLayout(form);

    connect(edtPassword1, &QLineEdit::returnPressed, OkButton(), &QPushButton::click);
    setMinimumWidth(360);
}

bool TLoginFrm::AcceptLogin() {
    if (LoginWith(cbUser1->currentText(), edtPassword1->text()))
        return true;
    edtPassword1->setFocus();
    edtPassword1->selectAll();
    return false;
}

bool TLoginFrm::CloseQuery() {
    return result() != QDialog::Accepted || AcceptLogin();
}

void TLoginFrm::showEvent(QShowEvent* event) {
    TADlgFrm::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred on the screen rather than near the mouse.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
    if (cbUser1->currentText().isEmpty())
        cbUser1->setFocus();
    else
        edtPassword1->setFocus();
}

bool TLoginFrmDialog::Execute() {
    TLoginFrm frm;
    return frm.exec() == QDialog::Accepted;
}
