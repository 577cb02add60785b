#pragma once

#include <QDialog>

// The base of every window of the program: the program's font, placement centred on the mouse
// when shown, F1 for the window's help topic, a close query for descendants and, when the
// window has no border, resizing by its edges.
class TaFrm : public QDialog {
    Q_OBJECT
public:
    explicit TaFrm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // Opens a help topic; an empty topic is the window's own (HelpTopic()).
    virtual void ShowHelp(const QString& topic = QString());
    // The object name without its last three characters: "PutinBillFrm" gives "PutinBill".
    QString HelpTopic() const;

    // Sets the result, then closes only when CloseQuery agrees.
    void done(int result) override;

protected:
    // Asked before the window closes, with result() already set; false keeps it open.
    virtual bool CloseQuery() { return true; }
    // Whether Esc closes the window with the result Cancel (dialogs), or is left to it.
    virtual bool EscapeCancels() const { return false; }

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool IsBorderless() const;
};
