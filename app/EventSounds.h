// The event sounds: a message sent, a fetch started, new messages, a command tapped. Each reads
// its switches and file at the moment it runs; a missing file is reported with its path.
#pragma once

// Asynchronous; "isSuaraOn" and "isSuaraSentOn", file "suara_sent".
void PlaySentSound();
// Synchronous; "isSuaraOn" and "isSuaraRecOn", file "suara_rec".
void PlayReceivedSound();
// Synchronous; "isSuaraOn" and "isSuaraNewMsgOn", file "suara_newmsg".
void PlayNewMessageSound();
// Synchronous; "isSuaraTapIconOn" alone, "tap-icon.wav" in the program folder.
void PlayTapIconSound();
