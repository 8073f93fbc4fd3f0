// The C library reads and writes numbers by LC_NUMERIC, which a Qt
// application takes from the user's environment: under Bulgarian settings
// printf("%g", 0.5) writes "0,5". A library that formats numbers into a
// file (libxlsxwriter's XML) must write them the C way, whatever the user's
// settings.
#ifndef RESTOMER_IO_C_NUMBERS_H_
#define RESTOMER_IO_C_NUMBERS_H_

namespace restomer {

// While it lives, numbers in this thread are read and written the C way.
class CNumbers {
 public:
  CNumbers();
  ~CNumbers();
  CNumbers(const CNumbers&) = delete;
  CNumbers& operator=(const CNumbers&) = delete;

 private:
  void* previous_ = nullptr;
  void* numbers_ = nullptr;
  int threadSetting_ = 0;
};

}  // namespace restomer

#endif  // RESTOMER_IO_C_NUMBERS_H_
