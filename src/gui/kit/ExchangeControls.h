#pragma once

class QObject;

// Controls (widgets and menu actions) that start an exchange with the unit are marked, so
// that a running operation holds them all back, in every window, without knowing them.
void markExchangeControl(QObject* control);
bool isExchangeControl(const QObject* control);
