#pragma once

#include <QComboBox>
#include <functional>

// The unit address box Tip_adr: an editable drop-down whose list is the address history.
// A typed address is accepted with Enter or by leaving the box (Esc discards the typing);
// an address picked from the list is taken as it is.
class AddressBox : public QComboBox {
    Q_OBJECT
public:
    explicit AddressBox(QWidget* parent = nullptr);

    // Shows the refusal "Špatná IP adresa".
    std::function<void(const QString&)> showMessage;

    QStringList history() const;
    void setHistory(const QStringList& entries, int selected);
    // The text the box holds as accepted: the host of the next connection.
    QString address() const { return m_accepted; }
    // Runs the acceptance rules on the text now in the box, as Enter does.
    void acceptTyped();
    // Accepts what was typed and not yet accepted (an operation is about to connect while
    // the caret is still in the box). Returns false when the typing was refused.
    bool commitTyped();

signals:
    // An address was accepted or picked, or the selected entry was removed (empty text):
    // the windows that follow the address take it into their titles.
    void addressChanged(const QString& address);

protected:
    // A key typed into an editable combo box reaches the box itself, which hands it to its
    // line edit directly: the rules live here, not in a filter on the line edit.
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onPicked(int index);
    void setBoxText(const QString& text);
    bool accept(bool deferMessage);

    QString m_accepted;
};
