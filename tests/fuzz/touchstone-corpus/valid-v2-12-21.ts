[Version] 2.0
# Hz S MA R 50
[Number of Ports] 2
[Two-Port Data Order] 12_21
[Number of Frequencies] 2
[Reference] 50
50
[Network Data]
1e9 0.1 0 0.01 0 0.5 45 0.1 0
2e9 0.1 0 0.01 0 0.1 90 0.1 0
[Noise Data]
1e9 1.5 0.2 30 0.3
[End]
