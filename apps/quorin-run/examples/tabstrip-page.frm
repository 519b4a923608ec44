VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Tabs"
   ClientHeight    =   3000
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   5400
End
