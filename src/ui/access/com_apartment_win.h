// COM on the windows' thread, for what needs it: handing accessible objects
// to clients, and the shell's opening of documents, whose handlers may be
// COM objects.
#pragma once

namespace demodisc {

// Sets up a single-threaded apartment at the first call and undoes it at
// the program's end; true when COM is usable on this thread (an apartment
// of the other kind already there serves as well).
bool ComApartmentReady();

}  // namespace demodisc
