[Version] 2.0
# kHz S RI
[Number of Ports] 2
[Two-Port Data Order] 21_12
[Matrix Format] Lower
[Network Data]
5 0 0 0.5 0.5 0 0
