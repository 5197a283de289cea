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
};

State state;

struct ShimFile {
  sqlite3_file base;
  sqlite3_file* real;
};

sqlite3_file* realOf(sqlite3_file* file) {
  return reinterpret_cast<ShimFile*>(file)->real;
}

// A file method as the real file has it.
template <auto Method>
struct Pass;
template <typename R, typename... A, R (*sqlite3_io_methods::*Method)(sqlite3_file*, A...)>
struct Pass<Method> {
  static R call(sqlite3_file* file, A... arguments) {
    sqlite3_file* real = realOf(file);
    return (real->pMethods->*Method)(real, arguments...);
  }
};

// A file system method as the real file system has it.
template <auto Method>
struct PassVfs;
template <typename R, typename... A, R (*sqlite3_vfs::*Method)(sqlite3_vfs*, A...)>
struct PassVfs<Method> {
  static R call(sqlite3_vfs*, A... arguments) {
    return (state.real->*Method)(state.real, arguments...);
  }
};

int refuse(int code) {
  ++state.refused;
  return code;
}

// Whether making the file `end` bytes long is refused: the disk fails, or is full and it grows.
int refusal(sqlite3_file* real, sqlite3_int64 end) {
  sqlite3_int64 size = 0;
  if (state.fault == DiskFaults::Fault::kFailing) {
    return refuse(SQLITE_IOERR_WRITE);
  }
  const bool grows = real->pMethods->xFileSize(real, &size) != SQLITE_OK || end > size;
  return state.fault == DiskFaults::Fault::kFull && grows ? refuse(SQLITE_FULL) : SQLITE_OK;
}

int shimWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
  const int refused = refusal(realOf(file), offset + amount);
  return refused != SQLITE_OK ? refused
                              : Pass<&sqlite3_io_methods::xWrite>::call(file, data, amount, offset);
}
int shimTruncate(sqlite3_file* file, sqlite3_int64 size) {
  const int refused = refusal(realOf(file), size);
  return refused != SQLITE_OK ? refused : Pass<&sqlite3_io_methods::xTruncate>::call(file, size);
}
// Growing the file ahead of its writes is growth too.
int shimFileControl(sqlite3_file* file, int op, void* argument) {
  const int refused = op == SQLITE_FCNTL_SIZE_HINT
                          ? refusal(realOf(file), *static_cast<sqlite3_int64*>(argument))
                          : SQLITE_OK;
  return refused != SQLITE_OK ? refused
                              : Pass<&sqlite3_io_methods::xFileControl>::call(file, op, argument);
}
// Without shared memory the index cannot be mapped; nothing else of it is reached then.
int shimShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
  return state.sharedMemory
             ? Pass<&sqlite3_io_methods::xShmMap>::call(file, region, size, extend, memory)
             : refuse(SQLITE_IOERR_SHMMAP);
}
int shimShmLock(sqlite3_file* file, int offset, int count, int flags) {
  return state.sharedMemory ? Pass<&sqlite3_io_methods::xShmLock>::call(file, offset, count, flags)
                            : refuse(SQLITE_IOERR_SHMLOCK);
}
void shimShmBarrier(sqlite3_file* file) {
  if (state.sharedMemory) {
    Pass<&sqlite3_io_methods::xShmBarrier>::call(file);
  }
}
int shimShmUnmap(sqlite3_file* file, int deleteFlag) {
  return state.sharedMemory ? Pass<&sqlite3_io_methods::xShmUnmap>::call(file, deleteFlag)
                            : SQLITE_OK;
}

const sqlite3_io_methods kMethods = {
    3,
    Pass<&sqlite3_io_methods::xClose>::call,
    Pass<&sqlite3_io_methods::xRead>::call,
    shimWrite,
    shimTruncate,
    Pass<&sqlite3_io_methods::xSync>::call,
    Pass<&sqlite3_io_methods::xFileSize>::call,
    Pass<&sqlite3_io_methods::xLock>::call,
    Pass<&sqlite3_io_methods::xUnlock>::call,
    Pass<&sqlite3_io_methods::xCheckReservedLock>::call,
    shimFileControl,
    Pass<&sqlite3_io_methods::xSectorSize>::call,
    Pass<&sqlite3_io_methods::xDeviceCharacteristics>::call,
    shimShmMap,
    shimShmLock,
    shimShmBarrier,
    shimShmUnmap,
    Pass<&sqlite3_io_methods::xFetch>::call,
    Pass<&sqlite3_io_methods::xUnfetch>::call,
};

int shimOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  auto* shim = reinterpret_cast<ShimFile*>(file);
  shim->base.pMethods = nullptr;
  shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
  const int result = state.real->xOpen(state.real, name, shim->real, flags, outFlags);
  if (shim->real->pMethods != nullptr) {
    shim->base.pMethods = &kMethods;
  }
  return result;
}

sqlite3_vfs shimVfs{};

}  // namespace

DiskFaults::DiskFaults() {
  state.real = sqlite3_vfs_find(nullptr);
  shimVfs = *state.real;
  shimVfs.iVersion = 2;
  shimVfs.szOsFile = static_cast<int>(sizeof(ShimFile)) + state.real->szOsFile;
  shimVfs.pNext = nullptr;
  shimVfs.zName = "nobrix-disk-faults";
  shimVfs.xOpen = shimOpen;
  shimVfs.xDelete = PassVfs<&sqlite3_vfs::xDelete>::call;
  shimVfs.xAccess = PassVfs<&sqlite3_vfs::xAccess>::call;
  shimVfs.xFullPathname = PassVfs<&sqlite3_vfs::xFullPathname>::call;
  shimVfs.xRandomness = PassVfs<&sqlite3_vfs::xRandomness>::call;
  shimVfs.xSleep = PassVfs<&sqlite3_vfs::xSleep>::call;
  shimVfs.xCurrentTime = PassVfs<&sqlite3_vfs::xCurrentTime>::call;
  shimVfs.xGetLastError = PassVfs<&sqlite3_vfs::xGetLastError>::call;
  shimVfs.xCurrentTimeInt64 = PassVfs<&sqlite3_vfs::xCurrentTimeInt64>::call;
  sqlite3_vfs_register(&shimVfs, 1);
}

DiskFaults::~DiskFaults() {
  sqlite3_vfs_unregister(&shimVfs);
  state.fault = Fault::kNone;
  state.sharedMemory = true;
  state.refused = 0;
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

}  // namespace nobrix::testing
