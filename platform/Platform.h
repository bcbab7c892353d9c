// Our class-library layer: one header that brings in all of it.
#pragma once
#include "platform/Core.h"
#include "platform/String.h"
#include "platform/Object.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Archive.h"
#include "platform/Collections.h"
#include "platform/MessageBox.h"
#include "platform/CmdTarget.h"
#include "platform/WinThread.h"
#include "platform/WinApp.h"
#include "platform/Document.h"
