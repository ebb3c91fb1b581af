#pragma once

#include "key_functions.h"

#include <QList>
#include <QStringList>

// The key assignment page's rules over the mouse's 16 key records, for everyone who assigns
// keys the way the page does.
namespace KeyRules {

constexpr int kMacroSlots = 12;

// The key IDs the page's key selector lists: those the language file's product layout names,
// ascending; the built-in selector when it names none.
QList<int> selectorKeyIds(const QStringList &layoutStrings);

// Reassigning `keyId` needs the user's word when it is a left button and no other key of the
// selector is one (keys the selector does not list cannot be clicked, so they do not count).
bool leftButtonAtRisk(const QList<KeyFunctions::Record> &records, const QList<int> &listedIds,
                      int keyId);

// The slot indexes 0..11 that macro records (not of the keyboard's form) use, in key order;
// a macro that has no slot yet takes the lowest free one, -1 when all are taken.
QList<int> usedMacroSlots(const QList<KeyFunctions::Record> &records);
int lowestFreeSlot(const QList<int> &used);

} // namespace KeyRules
