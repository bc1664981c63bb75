#pragma once

#include <string>
#include <string_view>

namespace linkvale {

// The order of texts in sort keys and in ">=" / "<=" filters: the case-folded
// texts first, the exact texts second. Both arguments are UTF-8. Returns <0, 0
// or >0; 0 only for texts that are byte for byte the same.
int compareTextOrder(std::string_view a, std::string_view b);

// Appends the case-folded form of a UTF-8 text. Comparing two folded forms
// byte by byte gives the first step of compareTextOrder.
void appendFoldedText(std::string_view text, std::string& out);

} // namespace linkvale
