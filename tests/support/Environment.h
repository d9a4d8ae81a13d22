#pragma once

namespace testenv {
/// Makes sure a test run can't reach the user's settings, printers or display, even when the
/// binary is started by hand instead of through ctest.
void isolateFromUser();
} // namespace testenv
