#include "kit/Dialogs.h"
#include "base/Language.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QStringList FileFilters{tx("gui", "Nastavení Quel5 (*.ql5)"), tx("gui", "Vše (*)")};

QString runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder,
                      const QString& proposed) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // The open dialog takes a name that does not exist; the save dialog leaves the question
    // before replacing a file to the caller, which asks through these dialogs.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(FileFilters);
    dialog.setDefaultSuffix(QStringLiteral("ql5"));
    dialog.setDirectory(folder);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, Severity severity,
                        const QString& detail) {
    const QMessageBox::Icon icon = severity == Severity::Info      ? QMessageBox::Information
                                   : severity == Severity::Warning ? QMessageBox::Warning
                                                                   : QMessageBox::Critical;
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}

bool QtDialogs::ask(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

UserDialogs::SaveChoice QtDialogs::askSave(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(tx("gui", "&Uložit"));
    box.button(QMessageBox::Discard)->setText(tx("gui", "&Neukládat"));
    box.button(QMessageBox::Cancel)->setText(tx("dialogs", "Zrušit"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Save      ? SaveChoice::Save
           : answer == QMessageBox::Discard ? SaveChoice::Discard
                                            : SaveChoice::Cancel;
}

void QtDialogs::about(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

QString QtDialogs::openFile(QWidget* parent, const QString& folder) {
    return runFileDialog(parent, QFileDialog::AcceptOpen, folder, {});
}

QString QtDialogs::saveFile(QWidget* parent, const QString& folder, const QString& proposed) {
    return runFileDialog(parent, QFileDialog::AcceptSave, folder, proposed);
}

QString QtDialogs::openAnyFile(QWidget* parent, const QString& start) {
    return QFileDialog::getOpenFileName(parent, QString(), start);
}

QString QtDialogs::chooseFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, QString(), start);
}

QList<int> QtDialogs::chooseItems(QWidget* parent, const QString& title, const QString& text,
                                  const QStringList& items) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("VyberPolozek"));
    dialog.setWindowTitle(title);
    auto* list = new QListWidget(&dialog);
    for (const QString& item : items) {
        auto* row = new QListWidgetItem(item, list);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(text, &dialog));
    layout->addWidget(list);
    layout->addWidget(buttons);
    QList<int> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            chosen << i;
    return chosen;
}

std::optional<std::pair<QString, QString>> QtDialogs::askAccount(QWidget* parent,
                                                                 const QString& text) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Ucet"));
    dialog.setWindowTitle(tx("gui", "Účet"));
    auto* name = new QLineEdit(&dialog);
    auto* password = new QLineEdit(&dialog);
    password->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(tx("gui", "Jméno"), name);
    form->addRow(tx("gui", "Heslo"), password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(name->text(), password->text());
}

void QtDialogs::printPreview(QWidget* parent, const QPageLayout& layout, const Painting& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tx("gui", "Náhled tisku"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}
