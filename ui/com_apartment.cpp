#include "ui/com_apartment.h"

#include <objbase.h>

namespace ui {

// S_FALSE (already initialised on this thread) also asks for its CoUninitialize.
ComApartment::ComApartment()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ComApartment::~ComApartment() {
  if (initialised_) CoUninitialize();
}

}  // namespace ui
