#pragma once

namespace shell {

// A calculator solves its member again on every keystroke, and the diagrams of a member with many
// loads take a few hundred kilobytes, freed when the next solution replaces them. The C library
// hands freed memory above 128 KiB at the top of the heap back to the kernel, which then has to
// fault it in again on the next keystroke, at a cost larger than the solution itself. Keeping up
// to 64 MiB of freed memory lets each solution reuse the memory of the one before. Called once at
// the start of a program; does nothing where the C library has no such setting.
void keepFreedMemoryForTheNextSolution();

}  // namespace shell
