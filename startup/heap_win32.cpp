#include "startup/heap_win32.h"

#include <malloc.h>
#include <windows.h>

namespace tess {

void use_low_fragmentation_heaps() {
  ULONG low_fragmentation = 2;
  const HANDLE heaps[] = {reinterpret_cast<HANDLE>(_get_heap_handle()), GetProcessHeap()};
  for (HANDLE heap : heaps)  // a heap that refuses keeps working as it was
    HeapSetInformation(heap, HeapCompatibilityInformation, &low_fragmentation, sizeof low_fragmentation);
}

}  // namespace tess
