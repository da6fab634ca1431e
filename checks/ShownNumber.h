#pragma once

#include <string>

// Numbers in the checker's messages: at most two decimals, '.' whatever the locale, never "-0".
// Rounding must not make a sentence false, so a value that two decimals would put on a whole or
// half unit (where designers place walls) keeps the decimals that tell it apart.
std::string ShownNumber(double value);

// A value that lies below `limit`, shown so that it still reads as below the limit as
// ShownNumber shows it ("0.999 from the item, closer than 1", not "1 ... closer than 1").
std::string ShownBelow(double value, double limit);

// A place as "(1, -2.5)".
std::string ShownPlace(double x, double z);
