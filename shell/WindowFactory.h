#pragma once
#include "datastore/Rights.h"
// The window each menu item opens, created anew for every call.
#include <QString>

class QDialog;
class QWidget;

// Null for a menu item that opens no window.
QDialog *createWindowFor(const QString &menuItem, QWidget *parent);
// What the login needs for a menu item's window (rights::Read for most).
rights::Action menuItemAction(const QString &item);
