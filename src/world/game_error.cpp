#include "world/game_error.h"

#include <cerrno>

int ErrorCodeFromErrno(int error_number) {
  switch (error_number) {
    case ENOENT:
    case ENOTDIR:
      return kErrorFileNotFound;
    case EEXIST:
    case EBUSY:
    case ETXTBSY:
      return kErrorFileExists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrorDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return kErrorWriteProtected;
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
      return kErrorDeviceNotReady;
    case EIO:
      return kErrorDeviceIo;
    default:
      return kErrorOther;
  }
}
