#pragma once

// Standard input, output and error as the program found them at start. A
// program started with one of them closed (`vastrel-top DIR >&-`) would
// otherwise give its number to the next file it opens, Qt's event descriptor
// say, and whatever was meant for the stream would go into that file.
namespace standardstreams {

enum Stream { Input = 0, Output = 1, Error = 2 };

// Opens /dev/null on each of the three that is closed, so that its number
// stays taken, and remembers which were. Call first in main(), before
// anything opens a file.
void reserve();

// Whether the stream was closed when reserve() ran: writing to it then
// fails as writing to a closed descriptor does ("Bad file descriptor"),
// though its number now holds /dev/null.
bool wasClosed(Stream stream);

} // namespace standardstreams
