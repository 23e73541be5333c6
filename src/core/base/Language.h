#pragma once

class QCoreApplication;

// The language the tool speaks, for every front end alike.
namespace language {

// Installs Qt's own translations (socket errors, standard buttons, file dialogs) in the
// tool's language, Czech, whatever the workstation's language is: so that "Spojení bylo
// odmítnuto" reads the same in the window and on the command line. False when Qt's Czech
// catalogue is not installed; Qt then speaks English.
bool installQtTranslations(QCoreApplication& app);

} // namespace language
