VERSION 5.00
Begin VB.Form Form1
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Options"
   ClientHeight    =   2880
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   6720
   Begin QuorinSkinForVB6.Frame Frame1
      Caption         =   " Delivery"
      Height          =   2400
      Left            =   240
      Top             =   240
      Width           =   3000
      Begin QuorinSkinForVB6.RadioButton Option1
         BackColor       =   &H00FFFFFF&
         Caption         =   "Standard post"
         Height          =   20
         Left            =   16
         Top             =   30
         Value           =   -1  'True
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option2
         BackColor       =   &H00FFFFFF&
         Caption         =   "Express courier"
         Height          =   20
         Left            =   16
         Top             =   58
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option3
         BackColor       =   &H00FFFFFF&
         Caption         =   "Collect in store"
         Height          =   20
         Left            =   16
         Top             =   86
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option4
         BackColor       =   &H00FFFFFF&
         Caption         =   "Drone (not yet)"
         Enabled         =   0   'False
         Height          =   20
         Left            =   16
         Top             =   114
         Width           =   170
      End
   End
   Begin QuorinSkinForVB6.Frame Frame2
      BackColor       =   &H00E8F4FF&
      Caption         =   " Payment"
      Height          =   2400
      Left            =   3480
      Top             =   240
      Width           =   3000
      Begin QuorinSkinForVB6.RadioButton Option5
         BackColor       =   &H00E8F4FF&
         Caption         =   "Card"
         Height          =   20
         Left            =   16
         Skin            =   1
         Top             =   30
         Value           =   -1  'True
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option6
         BackColor       =   &H00E8F4FF&
         Caption         =   "Bank transfer"
         Height          =   20
         Left            =   16
         Skin            =   1
         Top             =   58
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option7
         BackColor       =   &H00E8F4FF&
         Caption         =   "Invoice"
         Height          =   20
         Left            =   16
         Skin            =   1
         Top             =   86
         Width           =   170
      End
      Begin QuorinSkinForVB6.RadioButton Option8
         BackColor       =   &H00E8F4FF&
         Caption         =   "Cash (closed)"
         Enabled         =   0   'False
         Height          =   20
         Left            =   16
         Skin            =   1
         Top             =   114
         Width           =   170
      End
   End
End
