// The application's name and version, which --version prints and files
// carry; needs no display.
#ifndef RESTOMER_IO_APPLICATION_IDENTITY_H_
#define RESTOMER_IO_APPLICATION_IDENTITY_H_

namespace restomer {

void setUpApplicationIdentity();

}  // namespace restomer

#endif  // RESTOMER_IO_APPLICATION_IDENTITY_H_
