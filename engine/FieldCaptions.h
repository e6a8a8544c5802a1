#pragma once
// What the user sees beside each control that a design file stores: the
// one place where a message turns a stored name into words.

#include <string>
#include <string_view>

namespace kestrel {

// How a message names the control: its caption in quotes and, where the
// same caption appears more than once, the frame or window it sits in
// ("Harmonics" in "Local Oscillator Input"). A name without a control is
// given as it is stored, in quotes.
std::string fieldCaption(std::string_view name);

} // namespace kestrel
