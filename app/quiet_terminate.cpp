// The handler that std::terminate calls by default. The run-time library's own handler
// prints the type of an uncaught exception to the standard error stream, which a GUI
// program does not have, and brings in the C++ name demangler and a formatted-print
// implementation to do it: more than 50 KiB of the setup. The setup lets no exception
// escape, so this one only ends the program as that handler does after printing.
//
// Defined in an object file of the executable (not in a library), so that the linker
// takes it instead of the library's definition.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
