#pragma once

#include <QImageReader>

namespace tochkograf {

// Qt's own limit on the images its readers allocate, for as long as it lives.
class AllocationLimit {
 public:
  explicit AllocationLimit(int mb) : saved_(QImageReader::allocationLimit()) {
    QImageReader::setAllocationLimit(mb);
  }
  ~AllocationLimit() { QImageReader::setAllocationLimit(saved_); }
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;

 private:
  int saved_;
};

}  // namespace tochkograf
