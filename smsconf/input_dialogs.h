#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace sms {

// A small modal box with one text field, "确定" and "取消". It keeps the
// entered text and whether it was closed with OK.
class TextEntryDialog : public QDialog
{
    Q_OBJECT
public:
    QString text() const;
    bool confirmed() const { return m_confirmed; }
    QLineEdit *edit() const { return m_edit; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    void accept() override;

protected:
    // longestValue: the widest text the box takes, which it is made wide enough to show whole.
    TextEntryDialog(const QString &title, const QString &label, const QString &longestValue, QWidget *parent);
    // The reason the text cannot be taken, or empty when it can.
    virtual QString refusal(const QString &text) const = 0;

private:
    QLineEdit *m_edit;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    bool m_confirmed = false;
};

// Phone number: digits only, at most what a phone slot holds.
class CInputMsg : public TextEntryDialog
{
    Q_OBJECT
public:
    explicit CInputMsg(QWidget *parent = nullptr);

protected:
    QString refusal(const QString &text) const override;
};

// Message text: any text a record can hold.
class CInfoDlg : public TextEntryDialog
{
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget *parent = nullptr);

protected:
    QString refusal(const QString &text) const override;
};

} // namespace sms
