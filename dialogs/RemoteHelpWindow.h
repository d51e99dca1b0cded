#pragma once
// The remote help: the picture of the remote with its keys, one line per key group beside it,
// and for each key a message with its explanation. Runs modally until it is closed.


namespace lenvari {

void RunRemoteHelp();

}  // namespace lenvari
