#pragma once

#include <QWidget>

class QPushButton;

// The main window's network and identity fields under their object names, laid out in
// three columns: addresses and names, SNMP, and the advanced fields of "Více". A
// FieldBinder connects them to the network page.
class NetworkFields : public QWidget {
    Q_OBJECT
public:
    explicit NetworkFields(QWidget* parent = nullptr);

    // "Více": the advanced fields and their labels.
    void setAdvancedVisible(bool visible);
    QPushButton* saveButton() const { return m_save; }
    QString nbName() const;

private:
    QList<QWidget*> m_advanced;
    QPushButton* m_save;
};
