#pragma once

namespace lt {

class MainWindow;

// The address calculator (plain, or the K variant) and the Unicode conversion tool.
void openAddressCalculator(MainWindow &main, bool kVariant);
void openUnicodeTool(MainWindow &main);

} // namespace lt
