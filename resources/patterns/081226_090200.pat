[Info]
name=Mint list
Date=08.12.2026 09:02
[Window]
Style=10
UColor=1
Color=10147452
Transparent=255
Ico=101
[Text]
ColorShadow=15332840
font=Tahoma
Size=8
Color=2121243
UShadow=0
Align=1
[TextC]
font=Tahoma
Color=2121243
UShadow=0
