#pragma once
// What the user sees beside each control that a design file stores: the
// one place where a box turns a stored name into words.

#include <QString>

namespace kestrel::ui {

// The main window's caption at start; after a save or a load it goes on
// with the design file's name (fileCaption).
QString programCaption();
// programCaption, six blanks, "Current File: " and the name with its ".kst".
QString fileCaption(const QString& fileName);

// How a box names the control: its caption in quotes and, where the same
// caption appears more than once, the frame or window it sits in
// ("Harmonics" in "Local Oscillator Input"). A name without a control is
// given as it is stored, in quotes.
QString fieldCaption(const QString& name);

} // namespace kestrel::ui
