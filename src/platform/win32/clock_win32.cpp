#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace vantrel {

LocalTime Win32Clock::Now() const {
  SYSTEMTIME st{};
  ::GetLocalTime(&st);
  LocalTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.day = st.wDay;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  t.second = st.wSecond;
  return t;
}

}  // namespace vantrel
