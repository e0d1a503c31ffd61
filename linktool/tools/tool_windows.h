#pragma once

namespace lt {

class Shell;

// The address calculator (plain, or the K variant) and the Unicode conversion
// tool, one of each inside the shell.
void openAddressCalculator(Shell &shell, bool kVariant);
void openUnicodeTool(Shell &shell);

} // namespace lt
