// The event sounds, played by file name.
#include "app/EventSounds.h"
#include "phone/AppSettings.h"
#include "phone/PhoneHost.h"
#include "phone/StoreHelpers.h"
#include "res/phone_ids.h"
#include <mmsystem.h>

namespace
{
void PlayFile(bool bOn, const CString& strFile, UINT nFlags)
{
    if (!bOn)
        return;
    if (GetFileAttributesW(strFile) == INVALID_FILE_ATTRIBUTES)
    {
        PhoneMessageBox(FormatResourceText(IDS_PHONE_SOUND_MISSING, strFile), L"ERROR", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    sndPlaySoundW(strFile, nFlags | SND_NODEFAULT);
}
} // namespace

void PlaySentSound()
{
    CAppSettings settings;
    PlayFile(settings.GetIsSuaraOn() && settings.GetIsSuaraSentOn(), settings.GetSuaraSent(), SND_ASYNC);
}

void PlayReceivedSound()
{
    CAppSettings settings;
    PlayFile(settings.GetIsSuaraOn() && settings.GetIsSuaraRecOn(), settings.GetSuaraRec(), SND_SYNC);
}

void PlayNewMessageSound()
{
    CAppSettings settings;
    PlayFile(settings.GetIsSuaraOn() && settings.GetIsSuaraNewMsgOn(), settings.GetSuaraNewMsg(), SND_SYNC);
}

void PlayTapIconSound()
{
    CAppSettings settings;
    PlayFile(settings.GetIsSuaraTapIconOn() != 0, GetAppFolder() + L"tap-icon.wav", SND_SYNC);
}
