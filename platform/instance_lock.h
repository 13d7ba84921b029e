#pragma once

#include <string>

namespace skarvel {

// One installation at a time for a user: a lock on a file (Windows-1252 path), held while the
// object lives, which is the life of the program. The system drops it when the process ends, so a
// killed program never keeps the next one out.
class InstanceLock {
 public:
  explicit InstanceLock(const std::string& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another process holds the lock (or the file cannot be made).
  bool Held() const { return held_; }
  // Who holds it when this one does not, in words ("process 4242"); empty when unknown.
  const std::string& Holder() const { return holder_; }
  // The holder's process id when this one does not hold it; 0 when unknown.
  int HolderId() const { return holder_id_; }

 private:
  int fd_ = -1;
  bool held_ = false;
  std::string holder_;
  int holder_id_ = 0;
};

}  // namespace skarvel
