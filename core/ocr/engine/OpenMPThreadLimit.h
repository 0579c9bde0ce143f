#pragma once

namespace tarnveil::OpenMPThreadLimit {

/// Tesseract's OpenMP runtime reads its thread limit once, when the library loads, and with
/// more than one thread per recognition it runs several times slower on small machines. A
/// program started without OMP_THREAD_LIMIT therefore starts itself again (`argv` as it was
/// given) with the limit set to 1; our own threads give the parallelism. Returns only when the
/// limit was already set or the restart failed (then the program goes on, only slower).
void restartWithSingleThreadIfUnset(char** argv);

} // namespace tarnveil::OpenMPThreadLimit
