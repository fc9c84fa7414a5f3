// The heaps every allocation of the runtime comes from.
#pragma once

namespace tess {

// Turns on the low-fragmentation front end of the C runtime's heap and the
// process heap. Windows turns it on by itself; Wine does not, and without it
// every allocation takes the heap's one lock, which the window thread and the
// execution threads then contend for.
void use_low_fragmentation_heaps();

}  // namespace tess
