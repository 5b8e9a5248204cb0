// LevelTexts.hpp: small level files for tests, as the level loader reads them.
#pragma once

namespace testing_support
{
// Three table cards side by side with nothing covering them, and a deck of two.
inline const char* threeCardLevel = "level {\n"
                                    "\tdeck {\n\t\ti = 2\n\t\tdeckCard1 = 5\n\t\tdeckCard2 = 17\n\t}\n"
                                    "\tcards {\n\t\ti = 3\n"
                                    "\t\tcard1 {\n\t\t\tid = 4\n\t\t\tdim = 300, 330\n\t\t}\n"
                                    "\t\tcard2 {\n\t\t\tid = 30\n\t\t\tdim = 500, 330\n\t\t}\n"
                                    "\t\tcard3 {\n\t\t\tid = 8\n\t\t\tdim = 724, 330\n\t\t}\n"
                                    "\t}\n"
                                    "}\n";
} // namespace testing_support
