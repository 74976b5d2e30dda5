#include "platform/win32/draw_request_win32.h"

#include <windows.h>

namespace vantrel {

bool Win32DrawRequestReader::ReadDrawItem(std::intptr_t address, DrawItemRecord& record) {
  if (address == 0) return false;
  const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(address);
  record.controlType = dis->CtlType;
  record.controlId = dis->CtlID;
  record.itemId = dis->itemID;
  record.itemAction = dis->itemAction;
  record.itemState = dis->itemState;
  record.itemWindow = reinterpret_cast<std::uintptr_t>(dis->hwndItem);
  record.dc = reinterpret_cast<DeviceContext>(dis->hDC);
  record.rect = PixelRect{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
  record.itemData = static_cast<std::uintptr_t>(dis->itemData);
  return true;
}

}  // namespace vantrel
