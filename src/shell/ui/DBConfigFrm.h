#pragma once

#include <QDialog>
#include <memory>

#include "shell/ConnectionLoop.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TConfiger;

// The connection dialog: shown when the configured database cannot be reached, it edits the
// settings of cfg.ini for one of the three providers and saves them on OK.
class TDBConfigFrm : public QDialog, public TConnectionDialog {
    Q_OBJECT
public:
    explicit TDBConfigFrm(QWidget* parent = nullptr);
    ~TDBConfigFrm() override;

    TConfiger& Configer() override { return *configer_; }
    bool Execute() override;

    // Fills the controls from the settings.
    void LoadFromConfiger();
    // Shows the provider and its page of parameters.
    void SetProviderIndex(int index);
    int ProviderIndex() const;
    // Enables the file, its button, user and password unless the default database is used.
    void SetDefaultConnection(bool useDefault);
    // What OK does: checks the port, copies every field into the settings and saves them.
    // False, with a message and nothing saved, when the port is not a whole number or cfg.ini
    // cannot be written.
    bool ApplyToConfiger();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BrowseFile();
    void OkClicked();

    std::unique_ptr<TConfiger> configer_;
    QComboBox* cbProvider1_;
    QStackedWidget* pcParams1_;
    QLineEdit* edtServer1_;
    QLineEdit* edtPort1_;
    QLineEdit* edtDatabase1_;
    QLineEdit* edtUser1_;
    QLineEdit* edtPassword1_;
    QCheckBox* chkSmart1_;
    QCheckBox* chkDefault1_;
    QLineEdit* edtFile1_;
    QPushButton* btnBrowse1_;
    QLineEdit* edtJetUser1_;
    QLineEdit* edtJetPw1_;
    QLineEdit* edtDipUrl1_;
    QLineEdit* edtDipUser1_;
};
