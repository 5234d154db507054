// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::platform::texts {

}  // namespace textaria::platform::texts
