// A shim over the default VFS: each file is the real file behind a header of our own, every
// method passes through, and the faults act on writes, growth and the shared-memory index.
#include "tests/history/disk_faults.h"

#include <sqlite3.h>

#include <atomic>

namespace nobrix::testing {

namespace {

struct State {
  sqlite3_vfs* real = nullptr;
  std::atomic<DiskFaults::Fault> fault{DiskFaults::Fault::kNone};
  std::atomic<bool> sharedMemory{true};
  std::atomic<int> refused{0};
  std::atomic<int> opened{0};
};

State state;

struct ShimFile {
  sqlite3_file base;
  sqlite3_file* real;
};

sqlite3_file* realOf(sqlite3_file* file) {
  return reinterpret_cast<ShimFile*>(file)->real;
}

int refuse(int code) {
  ++state.refused;
  return code;
}

// Whether writing `end` bytes would grow the file on a full disk.
bool growsOnFullDisk(sqlite3_file* real, sqlite3_int64 end) {
  sqlite3_int64 size = 0;
  return state.fault == DiskFaults::Fault::kFull &&
         (real->pMethods->xFileSize(real, &size) != SQLITE_OK || end > size);
}

int shimClose(sqlite3_file* file) {
  return realOf(file)->pMethods->xClose(realOf(file));
}
int shimRead(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset) {
  return realOf(file)->pMethods->xRead(realOf(file), data, amount, offset);
}
int shimWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
  sqlite3_file* real = realOf(file);
  if (state.fault == DiskFaults::Fault::kFailing) {
    return refuse(SQLITE_IOERR_WRITE);
  }
  if (growsOnFullDisk(real, offset + amount)) {
    return refuse(SQLITE_FULL);
  }
  return real->pMethods->xWrite(real, data, amount, offset);
}
int shimTruncate(sqlite3_file* file, sqlite3_int64 size) {
  sqlite3_file* real = realOf(file);
  if (growsOnFullDisk(real, size)) {
    return refuse(SQLITE_FULL);
  }
  return real->pMethods->xTruncate(real, size);
}
int shimSync(sqlite3_file* file, int flags) {
  return realOf(file)->pMethods->xSync(realOf(file), flags);
}
int shimFileSize(sqlite3_file* file, sqlite3_int64* size) {
  return realOf(file)->pMethods->xFileSize(realOf(file), size);
}
int shimLock(sqlite3_file* file, int level) {
  return realOf(file)->pMethods->xLock(realOf(file), level);
}
int shimUnlock(sqlite3_file* file, int level) {
  return realOf(file)->pMethods->xUnlock(realOf(file), level);
}
int shimCheckReservedLock(sqlite3_file* file, int* out) {
  return realOf(file)->pMethods->xCheckReservedLock(realOf(file), out);
}
// Growing the file ahead of its writes is growth too.
int shimFileControl(sqlite3_file* file, int op, void* argument) {
  if (op == SQLITE_FCNTL_SIZE_HINT &&
      growsOnFullDisk(realOf(file), *static_cast<sqlite3_int64*>(argument))) {
    return refuse(SQLITE_FULL);
  }
  return realOf(file)->pMethods->xFileControl(realOf(file), op, argument);
}
int shimSectorSize(sqlite3_file* file) {
  return realOf(file)->pMethods->xSectorSize(realOf(file));
}
int shimDeviceCharacteristics(sqlite3_file* file) {
  return realOf(file)->pMethods->xDeviceCharacteristics(realOf(file));
}
// Without shared memory the index cannot be mapped; nothing else of it is reached then.
int shimShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
  if (!state.sharedMemory) {
    return refuse(SQLITE_IOERR_SHMMAP);
  }
  return realOf(file)->pMethods->xShmMap(realOf(file), region, size, extend, memory);
}
int shimShmLock(sqlite3_file* file, int offset, int count, int flags) {
  if (!state.sharedMemory) {
    return refuse(SQLITE_IOERR_SHMLOCK);
  }
  return realOf(file)->pMethods->xShmLock(realOf(file), offset, count, flags);
}
void shimShmBarrier(sqlite3_file* file) {
  if (state.sharedMemory) {
    realOf(file)->pMethods->xShmBarrier(realOf(file));
  }
}
int shimShmUnmap(sqlite3_file* file, int deleteFlag) {
  return state.sharedMemory ? realOf(file)->pMethods->xShmUnmap(realOf(file), deleteFlag)
                            : SQLITE_OK;
}
int shimFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer) {
  return realOf(file)->pMethods->xFetch(realOf(file), offset, amount, pointer);
}
int shimUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer) {
  return realOf(file)->pMethods->xUnfetch(realOf(file), offset, pointer);
}

const sqlite3_io_methods kMethods = {
    3,
    shimClose,
    shimRead,
    shimWrite,
    shimTruncate,
    shimSync,
    shimFileSize,
    shimLock,
    shimUnlock,
    shimCheckReservedLock,
    shimFileControl,
    shimSectorSize,
    shimDeviceCharacteristics,
    shimShmMap,
    shimShmLock,
    shimShmBarrier,
    shimShmUnmap,
    shimFetch,
    shimUnfetch,
};

int shimOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  auto* shim = reinterpret_cast<ShimFile*>(file);
  shim->base.pMethods = nullptr;
  shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
  const int result = state.real->xOpen(state.real, name, shim->real, flags, outFlags);
  if (shim->real->pMethods != nullptr) {
    shim->base.pMethods = &kMethods;
    ++state.opened;
  }
  return result;
}

int shimDelete(sqlite3_vfs*, const char* name, int syncDir) {
  return state.real->xDelete(state.real, name, syncDir);
}
int shimAccess(sqlite3_vfs*, const char* name, int flags, int* result) {
  return state.real->xAccess(state.real, name, flags, result);
}
int shimFullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  return state.real->xFullPathname(state.real, name, size, out);
}
int shimRandomness(sqlite3_vfs*, int size, char* out) {
  return state.real->xRandomness(state.real, size, out);
}
int shimSleep(sqlite3_vfs*, int microseconds) {
  return state.real->xSleep(state.real, microseconds);
}
int shimCurrentTime(sqlite3_vfs*, double* now) {
  return state.real->xCurrentTime(state.real, now);
}
int shimGetLastError(sqlite3_vfs*, int size, char* out) {
  return state.real->xGetLastError(state.real, size, out);
}
int shimCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
  return state.real->xCurrentTimeInt64(state.real, now);
}

sqlite3_vfs shimVfs{};

}  // namespace

DiskFaults::DiskFaults() {
  state.real = sqlite3_vfs_find(nullptr);
  shimVfs.iVersion = 2;
  shimVfs.szOsFile = static_cast<int>(sizeof(ShimFile)) + state.real->szOsFile;
  shimVfs.mxPathname = state.real->mxPathname;
  shimVfs.zName = "nobrix-disk-faults";
  shimVfs.xOpen = shimOpen;
  shimVfs.xDelete = shimDelete;
  shimVfs.xAccess = shimAccess;
  shimVfs.xFullPathname = shimFullPathname;
  shimVfs.xRandomness = shimRandomness;
  shimVfs.xSleep = shimSleep;
  shimVfs.xCurrentTime = shimCurrentTime;
  shimVfs.xGetLastError = shimGetLastError;
  shimVfs.xCurrentTimeInt64 = shimCurrentTimeInt64;
  sqlite3_vfs_register(&shimVfs, 1);
}

DiskFaults::~DiskFaults() {
  sqlite3_vfs_unregister(&shimVfs);
  state.fault = Fault::kNone;
  state.sharedMemory = true;
  state.refused = 0;
  state.opened = 0;
}

void DiskFaults::set(Fault fault) {
  state.fault = fault;
}

void DiskFaults::setSharedMemory(bool available) {
  state.sharedMemory = available;
}

int DiskFaults::refusedWrites() const {
  return state.refused;
}

int DiskFaults::filesOpened() const {
  return state.opened;
}

}  // namespace nobrix::testing
