#pragma once

// A picture the platform made (a file's icon), for a view of the platform's to show:
// portable code only hands it on.
class TPicture {
 public:
  virtual ~TPicture() = default;
};
