VERSION 5.00
Begin VB.Form frmClassic 
   Caption         =   "Classic controls"
   ClientHeight    =   3600
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   240
   ScaleMode       =   3  'Pixel
   ScaleWidth      =   400
   Begin VB.CommandButton cmdNo 
      Caption         =   "No"
      Height          =   375
      Left            =   4440
      TabIndex        =   7
      Top             =   3000
      Width           =   1215
   End
   Begin VB.Frame fraSize 
      Caption         =   "Size"
      Height          =   1335
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2175
      Begin VB.OptionButton optSize 
         Caption         =   "Small"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   1
         Top             =   360
         Value           =   -1  'True
         Width           =   1815
      End
      Begin VB.OptionButton optSize 
         Caption         =   "Large"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   2
         Top             =   720
         Width           =   1815
      End
   End
   Begin VB.ListBox lstColour 
      Height          =   1425
      ItemData        =   "classic.frx":0000
      Left            =   2520
      List            =   "classic.frx":001D
      TabIndex        =   3
      Top             =   120
      Width           =   1815
   End
   Begin VB.HScrollBar hsbLevel 
      Height          =   255
      LargeChange     =   10
      Left            =   120
      Max             =   100
      TabIndex        =   4
      Top             =   1680
      Value           =   30
      Width           =   4215
   End
   Begin VB.VScrollBar vsbZoom 
      Height          =   1695
      Left            =   4560
      Max             =   10
      TabIndex        =   5
      Top             =   120
      Value           =   5
      Width           =   255
   End
   Begin VB.Shape shpFrame 
      BorderColor     =   &H00800000&
      BorderWidth     =   2
      Height          =   3135
      Left            =   4320
      Shape           =   4  'Rounded Rectangle
      Top             =   60
      Width           =   1560
   End
   Begin VB.Shape shpLamp 
      BackColor       =   &H0000C000&
      BackStyle       =   1  'Opaque
      Height          =   615
      Left            =   5040
      Shape           =   3  'Circle
      Top             =   600
      Width           =   615
   End
   Begin VB.OptionButton optMode 
      Caption         =   "Fast"
      Height          =   255
      Index           =   0
      Left            =   120
      TabIndex        =   6
      Top             =   2160
      Width           =   1215
   End
   Begin VB.OptionButton optMode 
      Caption         =   "Careful"
      Height          =   255
      Index           =   1
      Left            =   1440
      TabIndex        =   8
      Top             =   2160
      Value           =   -1  'True
      Width           =   1215
   End
End
Attribute VB_Name = "frmClassic"
