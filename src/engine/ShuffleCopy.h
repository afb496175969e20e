#pragma once
// Appending the items of a list to another in a random order.
#include <QStringList>

class UserDialogs;

// Appends source to target in random order (target is not emptied first).
// Each draw takes one of the items left uniformly through Random; pending
// messages run after each draw when dialogs is given.
void ShuffleCopy(const QStringList& source, QStringList& target, UserDialogs* dialogs);
