// Who runs the program, for the rows of a results file.
#ifndef RESTOMER_IO_USER_ACCOUNT_H_
#define RESTOMER_IO_USER_ACCOUNT_H_

#include <string>

namespace restomer {

// The login name of the user running the program.
std::string loginName();

// The computer's host name, as the network knows it.
std::string computerName();

}  // namespace restomer

#endif  // RESTOMER_IO_USER_ACCOUNT_H_
