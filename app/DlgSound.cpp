// CDlgSound: the five switches and three paths of the settings, the file chooser and playing.
#include "app/DlgSound.h"
#include "phone/AppSettings.h"
#include "res/app_tools_ids.h"

#include <mmsystem.h>

BEGIN_MESSAGE_MAP(CDlgSound, CExtResizableDialog)
ON_COMMAND_RANGE(IDC_SOUND_REC_BROWSE, IDC_SOUND_NEW_PLAY, OnButton)
END_MESSAGE_MAP()

namespace
{
const UINT kBrowseIds[CDlgSound::kRowCount] = {IDC_SOUND_REC_BROWSE, IDC_SOUND_SENT_BROWSE, IDC_SOUND_NEW_BROWSE};
const UINT kPlayIds[CDlgSound::kRowCount] = {IDC_SOUND_REC_PLAY, IDC_SOUND_SENT_PLAY, IDC_SOUND_NEW_PLAY};
const UINT kPathIds[CDlgSound::kRowCount] = {IDC_SOUND_REC_PATH, IDC_SOUND_SENT_PATH, IDC_SOUND_NEW_PATH};
const wchar_t kWaveFilter[] = L"Wav Files (*.wav)|*.wav|All Files (*.*)|*.*||";
} // namespace

CDlgSound::CDlgSound(CWnd* pParent)
    : CExtResizableDialog(IDD_SOUND, pParent), m_bTapIcon(FALSE), m_bRec(FALSE), m_bSent(FALSE), m_bNew(FALSE)
{}

void CDlgSound::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SOUND_ON, m_wndSoundOn);
    DDX_Control(pDX, IDC_SOUND_TAP, m_wndTapIcon);
    DDX_Control(pDX, IDC_SOUND_REC_ON, m_wndRec);
    DDX_Control(pDX, IDC_SOUND_SENT_ON, m_wndSent);
    DDX_Control(pDX, IDC_SOUND_NEW_ON, m_wndNew);
    for (int i = 0; i < kRowCount; ++i)
    {
        DDX_Control(pDX, kPathIds[i], m_wndPath[i]);
        DDX_Control(pDX, kBrowseIds[i], m_wndBrowse[i]);
        DDX_Control(pDX, kPlayIds[i], m_wndPlay[i]);
    }
    DDX_Control(pDX, IDOK, m_wndOk);
    DDX_Control(pDX, IDCANCEL, m_wndCancel);
    DDX_Check(pDX, IDC_SOUND_TAP, m_bTapIcon);
    DDX_Check(pDX, IDC_SOUND_REC_ON, m_bRec);
    DDX_Check(pDX, IDC_SOUND_SENT_ON, m_bSent);
    DDX_Check(pDX, IDC_SOUND_NEW_ON, m_bNew);
    for (int i = 0; i < kRowCount; ++i)
        DDX_Text(pDX, kPathIds[i], m_strPath[i]);
}

BOOL CDlgSound::OnInitDialog()
{
    CExtResizableDialog::OnInitDialog();
    for (int i = 0; i < kRowCount; ++i)
    {
        m_wndBrowse[i].SetIcon(IDI_BROWSE_FOLDER);
        m_wndPlay[i].SetIcon(IDI_SPEAKER);
    }
    CAppSettings settings;
    m_wndSoundOn.SetCheck(settings.GetIsSuaraOn() ? BST_CHECKED : BST_UNCHECKED);
    m_bTapIcon = settings.GetIsSuaraTapIconOn() != 0;
    m_bRec = settings.GetIsSuaraRecOn() != 0;
    m_bSent = settings.GetIsSuaraSentOn() != 0;
    m_bNew = settings.GetIsSuaraNewMsgOn() != 0;
    m_strPath[kRowRec] = settings.GetSuaraRec();
    m_strPath[kRowSent] = settings.GetSuaraSent();
    m_strPath[kRowNew] = settings.GetSuaraNewMsg();
    UpdateData(FALSE);
    return TRUE;
}

void CDlgSound::OnButton(UINT nID)
{
    for (int i = 0; i < kRowCount; ++i)
    {
        if (nID == kPlayIds[i])
        {
            UpdateData(TRUE);
            ::PlaySoundW(m_strPath[i], nullptr, SND_FILENAME | SND_ASYNC);
            return;
        }
        if (nID == kBrowseIds[i])
        {
            CFileDialog dlg(FALSE, L".wav", nullptr, 0, kWaveFilter, this);
            if (dlg.DoModal() != IDOK)
                return;
            UpdateData(TRUE);
            m_strPath[i] = dlg.GetPathName();
            UpdateData(FALSE);
            return;
        }
    }
}

void CDlgSound::OnOK()
{
    UpdateData(TRUE);
    CAppSettings settings;
    settings.SetIsSuaraOn(m_wndSoundOn.GetCheck() == BST_CHECKED ? 1 : 0);
    settings.SetIsSuaraTapIconOn(m_bTapIcon ? 1 : 0);
    settings.SetIsSuaraRecOn(m_bRec ? 1 : 0);
    settings.SetIsSuaraSentOn(m_bSent ? 1 : 0);
    settings.SetIsSuaraNewMsgOn(m_bNew ? 1 : 0);
    settings.SetSuaraRec(m_strPath[kRowRec]);
    settings.SetSuaraSent(m_strPath[kRowSent]);
    settings.SetSuaraNewMsg(m_strPath[kRowNew]);
    EndDialog(IDOK);
}
