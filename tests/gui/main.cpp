#include "app/AppSetup.h"
#include "base/Language.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    // The suites read the tool's words in its own language, whatever the machine speaks.
    language::apply(language::Lang::Czech);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
