#pragma once

#include "editors/NetworkPage.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The main window's network and identity fields over the core's NetworkPage. As a page of
// the workspace it shows the model after each scatter and stores the fields into it
// before each gather.
class NetworkFields : public QWidget, public Page {
    Q_OBJECT
public:
    NetworkFields(NetworkPage& model, QWidget* parent = nullptr);

    void scatter(const ConfigImage& image) override;
    void gather(ConfigImage& image) override;

    void showModel();
    void storeToModel();

    // "Více": the advanced fields and their labels.
    void setAdvancedVisible(bool visible);
    QPushButton* saveButton() const { return m_save; }
    QString nbName() const;

private:
    QLineEdit* addressField(const char* name, const QString& initial);
    QLineEdit* textField(const char* name, int maxChars);
    QSpinBox* portField(const char* name, int initial);

    NetworkPage& m_model;
    QLineEdit *m_ip, *m_mask, *m_gateway, *m_dns1, *m_dns2, *m_nbName, *m_popis;
    QLineEdit *m_rcom[3], *m_wcom[3];
    QLineEdit *m_trap1, *m_trap2, *m_com1, *m_com2, *m_user, *m_admin, *m_ntp;
    QCheckBox *m_full1, *m_full2;
    QSpinBox *m_trapPort1, *m_trapPort2, *m_udpPort, *m_tcpPort1, *m_tcpPort2, *m_reload;
    QLabel* m_mac;
    QList<QWidget*> m_advanced;
    QPushButton* m_save;
};
