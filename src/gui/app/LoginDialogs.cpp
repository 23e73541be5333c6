#include "app/LoginDialogs.h"
#include "base/Language.h"
#include "kit/Retranslate.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Passwords show as '*', whatever mask the platform's style would use.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* starPasswordStyle() {
    // Shared by every password field and kept until the application ends, after all
    // windows are gone.
    static QPointer<QStyle> style;
    if (!style) {
        style = new StarPasswordStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QLineEdit* field(QWidget* parent, const QString& name, bool secret) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(8);
    if (secret) {
        edit->setStyle(starPasswordStyle());
        edit->setEchoMode(QLineEdit::Password);
    }
    return edit;
}

QPushButton* plainButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter belongs to the fields, not to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
// Both dialogs: labelled fields over two buttons on the left, the account choice beside.
void layOut(QDialog* dialog, const QList<std::pair<QString, QWidget*>>& fields, QPushButton* first,
            QPushButton* second, QWidget* choice) {
    auto* form = new QFormLayout;
    for (const auto& [label, field] : fields)
        form->addRow(label, field);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(first);
    buttons->addWidget(second);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(dialog);
    layout->addLayout(left);
    layout->addWidget(choice);
    dialog->setFixedSize(dialog->sizeHint());
}
} // namespace

LoginDialog::LoginDialog(QSettings* settings, QWidget* parent)
    : QDialog(parent), m_placement(this, QStringLiteral("TFprihlaseni"), settings, true) {
    setObjectName(QStringLiteral("TFprihlaseni"));
    setWindowTitle(tx("gui", "Přihlášení"));
    m_name = field(this, QStringLiteral("Ljmeno"), false);
    m_password = field(this, QStringLiteral("Lheslo"), true);
    auto* loginButton = plainButton(tx("gui", "Přihlásit"), this);
    loginButton->setObjectName(QStringLiteral("BPrihlasit"));
    // Held back while the login waits for the unit.
    loginButton->setProperty("startsExchange", true);
    auto* cancel = plainButton(tx("gui", "Zruš"), this);
    keepSource(cancel, "text", "gui", "Zruš", cancel->text()); // "Cancel" as a question's
    cancel->setObjectName(QStringLiteral("BZrus"));

    // Shown with nothing selected; nothing reads or sets it.
    auto* choice = new QGroupBox(this);
    choice->setObjectName(QStringLiteral("RGprava"));
    auto* choiceLayout = new QVBoxLayout(choice);
    for (const char* item : {QT_TRANSLATE_NOOP("gui", "nikdo"), QT_TRANSLATE_NOOP("gui", "uziv"),
                             QT_TRANSLATE_NOOP("gui", "admin")})
        choiceLayout->addWidget(new QRadioButton(tx("gui", item), choice));

    layOut(this, {{tx("gui", "Jméno"), m_name}, {tx("gui", "Heslo"), m_password}}, loginButton,
           cancel, choice);

    connect(m_name, &QLineEdit::returnPressed, m_password, [this] { m_password->setFocus(); });
    connect(m_password, &QLineEdit::returnPressed, this, &LoginDialog::submit);
    connect(loginButton, &QPushButton::clicked, this, &LoginDialog::submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

LoginDialog::~LoginDialog() {
    m_placement.windowDestroying();
}

void LoginDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The name is kept from the last login; the password is typed each time.
    (m_name->text().isEmpty() ? m_name : m_password)->setFocus(Qt::OtherFocusReason);
}

void LoginDialog::clearPassword() {
    m_password->clear();
}

void LoginDialog::submit() {
    if (login)
        m_level = login(m_name->text(), m_password->text());
    accept();
}

PasswordDialog::PasswordDialog(QSettings* settings, QWidget* parent)
    : QDialog(parent), m_placement(this, QStringLiteral("TFheslo"), settings, true) {
    setObjectName(QStringLiteral("TFheslo"));
    setWindowTitle(tx("gui", "Změna hesla"));
    m_name = field(this, QStringLiteral("Ljmeno"), false);
    auto* first = field(this, QStringLiteral("Lheslo1"), true);
    auto* second = field(this, QStringLiteral("Lheslo2"), true);

    auto* choice = new QGroupBox(this);
    choice->setObjectName(QStringLiteral("RGprava"));
    auto* choiceLayout = new QVBoxLayout(choice);
    m_user = new QRadioButton(tx("gui", "Uživatel"), choice);
    m_user->setObjectName(QStringLiteral("RBuzivatel"));
    m_admin = new QRadioButton(QStringLiteral("Admin"), choice);
    m_admin->setObjectName(QStringLiteral("RBadmin"));
    choiceLayout->addWidget(m_user);
    choiceLayout->addWidget(m_admin);
    m_user->setChecked(true);
    choice->setEnabled(false);
    m_choice = choice;

    auto* change = plainButton(tx("gui", "Změnit"), this);
    auto* cancel = plainButton(tx("gui", "Zruš"), this);
    keepSource(cancel, "text", "gui", "Zruš", cancel->text()); // "Cancel" as a question's

    layOut(this,
           {{tx("gui", "Jméno"), m_name},
            {tx("gui", "Nové heslo"), first},
            {tx("gui", "Nové heslo znovu"), second}},
           change, cancel, choice);
}

PasswordDialog::~PasswordDialog() {
    m_placement.windowDestroying();
}

void PasswordDialog::showAccount(const QString& name, bool admin) {
    m_name->setText(name);
    (admin ? m_admin : m_user)->setChecked(true);
    m_choice->setEnabled(admin);
}
