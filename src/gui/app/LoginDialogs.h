#pragma once

#include "kit/Placement.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSettings;

// The login dialog: name and password, "Přihlásit" sends the login and closes.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QSettings* settings, QWidget* parent = nullptr);
    ~LoginDialog() override;

    // Sends the login; returns the rights level to keep (0 when refused or not reached).
    std::function<int(const QString& name, const QString& password)> login;
    // The level the last "Přihlásit" produced; the caller reads it when the dialog closes.
    int grantedLevel() const { return m_level; }
    void resetLevel(int level) { m_level = level; }
    // After a logout the next person at the workstation types the password again.
    void clearPassword();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void submit();

    QLineEdit* m_name;
    QLineEdit* m_password;
    PlacementStore m_placement;
    int m_level = 0;
};

// The password dialog: it shows the logged-in account and offers no operation, since
// the unit has no password-change request.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QSettings* settings, QWidget* parent = nullptr);
    ~PasswordDialog() override;

    void showAccount(const QString& name, bool admin);

private:
    QLineEdit* m_name;
    QRadioButton* m_user;
    QRadioButton* m_admin;
    QWidget* m_choice;
    PlacementStore m_placement;
};
