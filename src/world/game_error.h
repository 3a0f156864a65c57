// Run-time failures that the turn loop's error handler catches: in practice
// the file errors of saving and loading. Each carries the code of its row in
// the handler's table.
#pragma once

enum ErrorCode : int {
  kErrorBadValue = 5,  // a save file holds a value that is not a number
  kErrorFileNotFound = 53,
  kErrorFileExists = 55,  // exists already, or is in use
  kErrorDiskFull = 61,
  kErrorPastEnd = 62,  // a save file ends before all its values
  kErrorWriteProtected = 70,
  kErrorDeviceNotReady = 71,
  kErrorDeviceIo = 72,
  kErrorOther = -1,
};

struct GameError {
  int code = kErrorOther;
};

// The handler's row for an operating system error number.
int ErrorCodeFromErrno(int error_number);
