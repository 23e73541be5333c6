#include "logic/RelayWindow.h"
#include "GuiSupport.h"
#include "TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Relays : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<ToolRun> run;
    RelayWindow* window = nullptr;

    void SetUp() override {
        run = std::make_unique<ToolRun>(dir.filePath(QStringLiteral("Quel5_cf.ini")));
        window = static_cast<RelayWindow*>(run->window->window(QStringLiteral("TFvrele")));
        run->find<QAction>(QStringLiteral("zobraz_Fvrele"))->trigger();
        ToolRun::activate(window);
    }
    // Clicks into a row's expression box and types at the end of what it holds.
    void typeInto(int row, const QString& text) {
        user::click(box(row));
        user::key(Qt::Key_End);
        user::type(text);
    }
    ExpressionBox* box(int row) const { return window->box(row); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void click(const char* name) {
        user::click(window->findChild<QPushButton*>(QLatin1String(name)));
    }
};

// The colour of each character of a box, as one letter each: k black, b blue, o olive,
// g green, f fuchsia.
QString colours(const ExpressionBox* box) {
    QString out;
    const QString text = box->text();
    for (int i = 0; i < text.size(); ++i) {
        QTextCursor cursor(box->document());
        cursor.setPosition(i + 1);
        const QColor c = cursor.charFormat().foreground().color();
        out += c == RelayWindow::Blue      ? QLatin1Char('b')
               : c == RelayWindow::Olive   ? QLatin1Char('o')
               : c == RelayWindow::Green   ? QLatin1Char('g')
               : c == RelayWindow::Fuchsia ? QLatin1Char('f')
                                           : QLatin1Char('k');
    }
    return out;
}

// Clicks into the box and walks the caret there with the arrow keys.
void placeCaret(ExpressionBox* box, int position) {
    user::click(box);
    user::key(Qt::Key_Home);
    for (int i = 0; i < position; ++i)
        user::key(Qt::Key_Right);
}

TEST_F(Relays, TypingColoursOperatorsBracketsAndFunctionNames) {
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lp00"))->isVisibleTo(window));
    typeInto(0, QStringLiteral("V1&T2|ftoff(600)"));
    user::key(Qt::Key_Return); // one line only
    EXPECT_EQ(box(0)->text(), QStringLiteral("V1&T2|ftoff(600)"));
    EXPECT_EQ(colours(box(0)), QStringLiteral("kkbkkbgggggokkko"));
    EXPECT_EQ(window->currentRow(), QStringLiteral("00"));
}

TEST_F(Relays, RefreshShowsTheDecodedTextInItsColours) {
    typeInto(0, QStringLiteral("V1&T2"));
    typeInto(1, QStringLiteral("ftoff(600)"));
    click("Button1");
    EXPECT_EQ(box(0)->text(), QStringLiteral("V1 & T2 "));
    EXPECT_EQ(colours(box(0)), QStringLiteral("kkkbkkkk"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("FTOFF(600) "));
    EXPECT_EQ(colours(box(1)), QStringLiteral("gggggokkkok"));
    // The refresh gathered into the image.
    EXPECT_EQ(run->window->workspace().image()[1602], 0x80);
    EXPECT_TRUE(run->dialogs.messages.isEmpty());
}

TEST_F(Relays, RowThatDoesNotCompileKeepsWhatWasTypedUntilItDoes) {
    typeInto(0, QStringLiteral("V1&T2"));
    click("Button1");
    const QByteArray stored = QByteArray::fromHex("800189");
    auto programInImage = [&] {
        return QByteArray(reinterpret_cast<const char*>(run->window->workspace().image().data()) +
                              mem::RelayCode,
                          3);
    };
    ASSERT_EQ(programInImage(), stored);

    user::retype(box(0), QStringLiteral("X1"));
    click("Button1");
    ASSERT_EQ(run->dialogs.shown.size(), 1u);
    EXPECT_EQ(run->dialogs.shown[0].parent, window);
    EXPECT_EQ(run->dialogs.shown[0].detail, QStringLiteral("R1"));
    EXPECT_EQ(run->dialogs.shown[0].severity, Severity::Warning);
    EXPECT_EQ(run->dialogs.takeMessages(), QStringList{"Chyba v zadání"});
    EXPECT_EQ(box(0)->text(), QStringLiteral("X1"));
    EXPECT_TRUE(window->rowMarkedFailed(0));
    EXPECT_EQ(programInImage(), stored); // the relay keeps its program meanwhile

    // Corrected, it compiles and the mark goes.
    user::retype(box(0), QStringLiteral("V1|T2"));
    click("Button1");
    EXPECT_EQ(box(0)->text(), QStringLiteral("V1 | T2 "));
    EXPECT_FALSE(window->rowMarkedFailed(0));
    EXPECT_EQ(programInImage(), QByteArray::fromHex("800289"));
}

TEST_F(Relays, MatchingBracketsTurnFuchsiaWhileTheCaretStandsAtOne) {
    typeInto(0, QStringLiteral("((V1)&V2)"));
    placeCaret(box(0), 0);
    EXPECT_EQ(colours(box(0)), QStringLiteral("fokkobkkf"));
    EXPECT_TRUE(window->bracketMark());
    placeCaret(box(0), 4); // before the inner ')'
    EXPECT_EQ(colours(box(0)), QStringLiteral("ofkkfbkko"));
    placeCaret(box(0), 2);
    EXPECT_EQ(colours(box(0)), QStringLiteral("ookkobkko"));
    EXPECT_FALSE(window->bracketMark());
    EXPECT_EQ(box(0)->textCursor().position(), 2);
}

TEST_F(Relays, OneEmptyRowStandsReady) {
    ConfigImage image;
    const std::uint8_t first[] = {0x91, 0x02, 0xFB};
    const std::uint8_t third[] = {0xB6, 0x01, 0x0A, 0x01, 0x82};
    image[mem::RelayIndex + 1] = 3;
    image[mem::RelayIndex + 9] = 5;
    image.copyIn(mem::RelayCode, 3, first);
    image.copyIn(mem::RelayCode + 3, 5, third);
    image.setU16(mem::RelayCodeLength, 8);
    run->window->workspace().image() = image;
    run->window->workspace().scatterAll();
    EXPECT_EQ(box(0)->text(), QStringLiteral("T3 | R16 "));
    EXPECT_EQ(box(2)->text(), QStringLiteral("FCNT(2,10) & E1 "));
    EXPECT_TRUE(box(1)->isVisibleTo(window));
    EXPECT_TRUE(window->findChild<QLineEdit*>(QStringLiteral("cp01"))->isVisibleTo(window));
    EXPECT_EQ(window->currentRow(), QStringLiteral("00")); // showing rows moves no caret
    for (int n = 3; n < 32; ++n)
        EXPECT_FALSE(box(n)->isVisibleTo(window)) << n;

    // Filling the empty row brings up the next one.
    typeInto(1, QStringLiteral("V1"));
    EXPECT_TRUE(box(3)->isVisibleTo(window));
    // Emptying it again leaves one empty row.
    user::retype(box(1), QString());
    EXPECT_FALSE(box(3)->isVisibleTo(window));
}

TEST_F(Relays, ToolbarAndPickersInsertAtTheCaretOfTheCurrentRow) {
    typeInto(0, QStringLiteral("V3"));
    typeInto(1, QStringLiteral("V1V2"));
    placeCaret(box(1), 2);
    EXPECT_EQ(window->currentRow(), QStringLiteral("01"));
    click("LMDButton3");
    EXPECT_EQ(box(1)->text(), QStringLiteral("V1&V2"));
    EXPECT_EQ(colours(box(1)), QStringLiteral("kkbkk"));

    // A selection collapses to its start; nothing is replaced.
    placeCaret(box(1), 0);
    user::key(Qt::Key_Right, Qt::ShiftModifier);
    user::key(Qt::Key_Right, Qt::ShiftModifier);
    click("LMDButton5");
    EXPECT_EQ(box(1)->text(), QStringLiteral("~V1&V2"));

    auto* kind = window->findChild<QComboBox*>(QStringLiteral("Crel"));
    auto* operands = window->findChild<QListWidget*>(QStringLiteral("Ccis"));
    EXPECT_EQ(operands->count(), 3);
    EXPECT_EQ(operands->item(2)->text(), QStringLiteral("V3"));
    user::pick(kind, 3);
    EXPECT_EQ(operands->count(), 16);
    EXPECT_EQ(operands->item(15)->text(), QStringLiteral("R16"));
    user::pick(kind, 5);
    EXPECT_EQ(operands->item(6)->text(), QStringLiteral("FCNT()"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("~V1&V2")); // filling inserts nothing
    placeCaret(box(1), 6);
    click("LMDButton4");
    const QRect itemRect = operands->visualItemRect(operands->item(0));
    QTest::mouseClick(operands->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_EQ(box(1)->text(), QStringLiteral("~V1&V2|FTON()"));
    EXPECT_EQ(colours(box(1)), QStringLiteral("bkkbkkbgggggg"));
}

TEST_F(Relays, TypedRelaysSurviveSaveOpenUploadAndReadBack) {
    SimServer sim{SimOptions{}, SimServer::Faults{}};
    ASSERT_TRUE(sim.listen(QHostAddress::LocalHost, 0));
    typeInto(0, QStringLiteral("(V1&~V2)|FTON(30)"));
    typeInto(1, QStringLiteral("FCNT(2,10)&E1"));
    user::retype(window->findChild<QLineEdit*>(QStringLiteral("cp00")), QStringLiteral("Čerpadlo"));

    run->dialogs.answers << path("relays.ql5");
    run->find<QAction>(QStringLiteral("menuUlozJako"))->trigger();
    user::retype(box(0), QString());
    EXPECT_EQ(run->window->editedPages(), Selectors::only(PageSlot::Relays));
    run->dialogs.saveReplies << UserDialogs::SaveChoice::Discard;
    run->dialogs.answers << path("relays.ql5");
    run->find<QAction>(QStringLiteral("menuOtevri"))->trigger();
    EXPECT_EQ(box(0)->text(), QStringLiteral("( V1 & ~V2 ) | FTON(30) "));
    EXPECT_EQ(box(1)->text(), QStringLiteral("FCNT(2,10) & E1 "));

    user::aimAt(*run, sim.port());
    user::loginAs(*run, QStringLiteral("admin"), QStringLiteral("admin"));
    auto* save = window->findChild<QPushButton*>(QStringLiteral("LButtU"));
    ASSERT_TRUE(save->isEnabled());
    user::click(save);
    EXPECT_EQ(sim.unit().memory().mid(mem::RelayCode, 9),
              QByteArray::fromHex("208011884286001E00"));

    user::retype(box(0), QString());
    user::retype(box(1), QString());
    run->find<QAction>(QStringLiteral("menuNactiVse"))->trigger();
    EXPECT_EQ(box(0)->text(), QStringLiteral("( V1 & ~V2 ) | FTON(30) "));
    EXPECT_EQ(box(1)->text(), QStringLiteral("FCNT(2,10) & E1 "));
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("cp00"))->text(),
              QStringLiteral("Čerpadlo"));
    EXPECT_TRUE(run->dialogs.messages.isEmpty());
}

TEST_F(Relays, SaveFollowsTheRights) {
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("LButtU"))->isEnabled());
}

} // namespace
