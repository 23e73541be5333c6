#include "app/Dialogs.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QStringList FileFilters{QStringLiteral("Nastavení Quel5 (*.ql5)"), QStringLiteral("Vše (*)")};

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
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Uložit"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Neukládat"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Zrušit"));
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

void QtDialogs::printPreview(QWidget* parent, const QPageLayout& layout, const Painting& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Náhled tisku"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}
